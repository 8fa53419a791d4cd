#include "app/CVantrelSystemManagerDoc.h"

bool CVantrelSystemManagerDoc::OnNewDocument()
{
    return nxGridDocument::OnNewDocument();
}
