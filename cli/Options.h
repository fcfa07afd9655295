#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace CLI {
class App;
}

// vtshow's command lines, read by CLI11. Each command registers its options
// in a function of its own; they all parse, and fail, alike.
namespace vt::cli {

// The usage of every command, as `vtshow --help` and a usage problem show it.
std::string usageText();

class CommandOptions {
  public:
    explicit CommandOptions(std::string_view command);
    ~CommandOptions();

    // An option with one value; given again, the last value counts.
    void value(const std::string& name, std::string& target, const std::string& valueName,
               const std::string& about);
    // An option with one value each time it is given.
    void values(const std::string& name, std::vector<std::string>& target,
                const std::string& valueName, const std::string& about);
    void flag(const std::string& name, bool& target, const std::string& about);
    // The words that are no option, and every word after "--".
    void positionals(std::vector<std::string>& target, const std::string& valueName);

    // Reads the words after the command's name. nullopt when the command is
    // to run; otherwise its exit status, the help or the problem written.
    std::optional<int> parse(const std::vector<std::string>& args, std::ostream& out,
                             std::ostream& err);

    // "vtshow: COMMAND: problem" and the command's usage; the exit status for it.
    int problem(std::ostream& err, std::string_view problem) const;

  private:
    std::string help() const;
    std::optional<std::string> valueMissing() const;

    std::string m_command;
    std::unique_ptr<CLI::App> m_app; // CLI11 is compiled here only: it is a large header
};

} // namespace vt::cli
