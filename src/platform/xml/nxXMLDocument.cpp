#include "platform/xml/nxXMLDocument.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <string_view>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
std::string SystemReason(int error)
{
    return std::strerror(error);
}

nxErrorEnum FileError(const std::string& action, const std::string& path, const std::string& reason)
{
    return nxErrorEnum(nxErrorEnum::FileError, action + " '" + path + "': " + reason);
}

// Closes the descriptor when the scope ends, whatever path leaves it.
class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return m_fd; }
    // Reports the error that close finds, which on some file systems is the first
    // sign that the data did not reach the disk.
    int Close()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result == 0 ? 0 : errno;
    }

private:
    int m_fd;
};

// Reads the whole file; answers 0 or the errno that stopped it.
int ReadWholeFile(const std::string& path, std::string& contents)
{
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (file.Get() < 0)
        return errno;
    struct stat status
    {
    };
    if (::fstat(file.Get(), &status) == 0 && S_ISDIR(status.st_mode))
        return EISDIR;
    char buffer[65536];
    for (;;)
    {
        const ssize_t count = ::read(file.Get(), buffer, sizeof buffer);
        if (count == 0)
            return 0;
        if (count < 0)
        {
            if (errno == EINTR)
                continue;
            return errno;
        }
        contents.append(buffer, static_cast<size_t>(count));
    }
}

int WriteAll(int fd, const std::string& text)
{
    size_t written = 0;
    while (written < text.size())
    {
        const ssize_t count = ::write(fd, text.data() + written, text.size() - written);
        if (count < 0)
        {
            if (errno == EINTR)
                continue;
            return errno;
        }
        written += static_cast<size_t>(count);
    }
    return 0;
}

// Creates a new file beside the target that no one else uses, with the default
// permissions, or those of the file it will replace.
int CreateTemporaryFile(const std::string& path, std::string& temporaryPath)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt)
    {
        temporaryPath = path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0)
        {
            struct stat status
            {
            };
            if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode))
                ::fchmod(fd, status.st_mode & 07777);
            return fd;
        }
        if (errno != EEXIST)
            return -errno;
    }
    return -EEXIST;
}

// The rename is only durable once the folder's entry is on disk; a failure here
// cannot undo the save, so it is not reported.
void SyncFolderOf(const std::string& path)
{
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty())
        folder = ".";
    FileDescriptor directory(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() >= 0)
        ::fsync(directory.Get());
}

std::mutex g_interruptionLock;
nxXMLDocument::SaveInterruption g_interruption;

bool InterruptedBeforeRename(const std::string& temporaryPath)
{
    nxXMLDocument::SaveInterruption interruption;
    {
        std::lock_guard guard(g_interruptionLock);
        interruption = g_interruption;
    }
    return interruption && !interruption(temporaryPath);
}

// Texts of only whitespace are kept when they are an element's whole content (a
// pattern of spaces is a real filter); the whitespace between elements is not.
constexpr unsigned kParseOptions = pugi::parse_default | pugi::parse_ws_pcdata_single;

// The writer leaves a carriage return in a text raw, and a reader turns a raw one
// into a line feed; written as a reference it reads back as itself. Every raw
// carriage return in the output is in a text: attributes write theirs as
// references, and the indentation uses line feeds only.
class nxCarriageReturnEscapingWriter : public pugi::xml_writer
{
public:
    explicit nxCarriageReturnEscapingWriter(std::string& out) : m_out(out) {}
    void write(const void* data, size_t size) override
    {
        const std::string_view chunk(static_cast<const char*>(data), size);
        for (size_t start = 0; start <= chunk.size();)
        {
            const size_t found = chunk.find('\r', start);
            m_out.append(chunk.substr(start, found == std::string_view::npos ? std::string_view::npos
                                                                             : found - start));
            if (found == std::string_view::npos)
                break;
            m_out += "&#13;";
            start = found + 1;
        }
    }

private:
    std::string& m_out;
};

// The depth of the deepest element (the root element is at depth 1), without recursion.
int DeepestElement(const pugi::xml_document& document)
{
    int deepest = 0;
    int depth = 0;
    pugi::xml_node node = document.first_child();
    while (node)
    {
        if (node.type() == pugi::node_element)
            deepest = std::max(deepest, depth + 1);
        if (node.first_child())
        {
            node = node.first_child();
            ++depth;
            continue;
        }
        while (node && !node.next_sibling())
        {
            node = node.parent();
            --depth;
            if (depth < 0)
                return deepest;
        }
        if (node)
            node = node.next_sibling();
    }
    return deepest;
}

// Line and column (both from 1) of a byte offset, for the operator's message.
std::pair<size_t, size_t> LineAndColumn(const std::string& text, ptrdiff_t offset)
{
    const size_t end = offset < 0 ? 0 : std::min(static_cast<size_t>(offset), text.size());
    size_t line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < end; ++i)
    {
        if (text[i] == '\n')
        {
            ++line;
            lineStart = i + 1;
        }
    }
    return {line, end - lineStart + 1};
}
} // namespace

nxXMLDocument::nxXMLDocument() : m_document(std::make_unique<pugi::xml_document>()) {}

nxXMLDocument::nxXMLDocument(const std::string& rootName) : nxXMLDocument()
{
    nxXMLElement(m_document->root()).AddChildElement(rootName);
}

nxXMLDocument::~nxXMLDocument() = default;
nxXMLDocument::nxXMLDocument(nxXMLDocument&&) noexcept = default;
nxXMLDocument& nxXMLDocument::operator=(nxXMLDocument&&) noexcept = default;

nxErrorEnum nxXMLDocument::LoadFromFile(const std::string& path)
{
    std::string text;
    if (const int error = ReadWholeFile(path, text))
        return FileError("Cannot read", path, SystemReason(error));
    return Load(text, "file '" + path + "'");
}

nxErrorEnum nxXMLDocument::LoadFromString(const std::string& text)
{
    return Load(text, "XML text");
}

nxErrorEnum nxXMLDocument::Load(const std::string& text, const std::string& source)
{
    auto document = std::make_unique<pugi::xml_document>();
    const pugi::xml_parse_result result = document->load_buffer(text.data(), text.size(), kParseOptions);
    if (!result)
    {
        const auto [line, column] = LineAndColumn(text, result.offset);
        return nxErrorEnum(nxErrorEnum::ParseError, "The " + source + " is not a valid XML document: line " +
                                                        std::to_string(line) + ", column " +
                                                        std::to_string(column) + ": " + result.description());
    }
    if (!document->document_element())
        return nxErrorEnum(nxErrorEnum::ParseError, "The " + source + " holds no root element");
    if (DeepestElement(*document) > MaxDepth)
        return nxErrorEnum(nxErrorEnum::ParseError, "The " + source + " is nested deeper than " +
                                                        std::to_string(MaxDepth) +
                                                        " levels, which no document of this program is");
    m_document = std::move(document);
    return nxErrorEnum();
}

std::string nxXMLDocument::SaveToString() const
{
    if (!m_document)
        return std::string();
    std::string out;
    nxCarriageReturnEscapingWriter writer(out);
    // One element a line, not indented: the size does not grow with the depth.
    m_document->save(writer, "", pugi::format_indent, pugi::encoding_utf8);
    return out;
}

nxErrorEnum nxXMLDocument::SaveToFile(const std::string& path) const
{
    if (path.empty())
        return nxErrorEnum(nxErrorEnum::FileError, "Cannot save: no file name was given");
    const std::string text = SaveToString();
    std::string temporaryPath;
    const int fd = CreateTemporaryFile(path, temporaryPath);
    if (fd < 0)
        return FileError("Cannot save", path, "cannot create a temporary file: " + SystemReason(-fd));

    FileDescriptor file(fd);
    int error = WriteAll(file.Get(), text);
    if (error == 0 && ::fsync(file.Get()) != 0)
        error = errno;
    const int closeError = file.Close();
    if (error == 0)
        error = closeError;
    if (error == 0 && InterruptedBeforeRename(temporaryPath))
        return FileError("Cannot save", path,
                         "the save was interrupted before the new file replaced the old one");
    if (error == 0 && ::rename(temporaryPath.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
    {
        ::unlink(temporaryPath.c_str());
        return FileError("Cannot save", path, SystemReason(error));
    }
    SyncFolderOf(path);
    return nxErrorEnum();
}

void nxXMLDocument::SetSaveInterruption(SaveInterruption interruption)
{
    std::lock_guard guard(g_interruptionLock);
    g_interruption = std::move(interruption);
}

nxXMLElement nxXMLDocument::GetRootElement()
{
    return m_document ? nxXMLElement(m_document->document_element()) : nxXMLElement();
}
