#pragma once

#include <string>
#include <vector>

#include "app/nxProgramOptions.h"

// Reads the program's arguments. Options are "--name value" or "--name=value";
// one plain argument is a document to open. Arguments with a single dash belong
// to the window system (-platform offscreen, -style Fusion) and are left to it.
class nxCommandLine
{
public:
    enum class Outcome
    {
        Run,  // start the program with the options read
        Exit, // print Output() (help or version) and end with status 0
        Error // print Error() and end with status 2
    };

    static constexpr int ErrorExitStatus = 2;

    Outcome Parse(const std::vector<std::string>& arguments);

    const nxProgramOptions& GetOptions() const { return m_options; }
    const std::string& Output() const { return m_output; }
    const std::string& Error() const { return m_error; }

    static std::string HelpText();
    static std::string VersionText();

private:
    bool Apply(const std::string& name, const std::string& value);
    bool TakesValue(const std::string& name) const;
    bool Fail(std::string message);

    nxProgramOptions m_options;
    std::string m_output;
    std::string m_error;
};
