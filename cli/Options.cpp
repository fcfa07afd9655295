#include "cli/Options.h"

#include "cli/Commands.h"
#include "cli/Terminal.h"
#include "cli/Vtshow.h"

#include <CLI/CLI.hpp>
#include <array>
#include <ostream>

namespace vt::cli {
namespace {

struct CommandText {
    std::string_view name;
    std::string_view usage; // its lines of the usage
    std::string_view about; // what it does, as a paragraph
};

constexpr std::array<CommandText, 7> Commands{{
    {"info", "  vtshow info SHOW\n",
     "info     reads SHOW and prints its version line and its number of slides.\n"},
    {"merge", "  vtshow merge [--yes] [--relocate OLD=NEW]... -o NEW SOURCE [APPEND ...]\n",
     "merge    opens SOURCE, appends each APPEND in order and writes NEW, asking what\n"
     "         the window would ask; every question is answered No, or Yes with --yes.\n"
     "         Each --relocate then moves every path that begins with the folder OLD\n"
     "         (as a row of the path editor shows it) to the folder NEW, before NEW\n"
     "         is written.\n"},
    {"list",
     "  vtshow list [--append SHOW]... [--sections slides,textures,sounds,playlist]\n"
     "              [--numbers] [-o FILE [--yes]] SHOW\n",
     "list     writes the listing of every file name that SHOW and the appended\n"
     "         shows refer to, in the chosen sections (all four by default), with\n"
     "         numbers if asked; to FILE as the window writes it, in the shows'\n"
     "         code page, or to standard output in the locale's character set. An\n"
     "         existing FILE is replaced only with --yes.\n"},
    {"folders", "  vtshow folders [--append SHOW]... SHOW\n",
     "folders  prints the rows of the path editor's lists and its main sound file.\n"},
    {"check", "  vtshow check [--append SHOW]... SHOW\n  vtshow check SHOW|FOLDER...\n",
     "check    prints each row of the path editor with its number of files and of\n"
     "         missing ones, then each missing file; exits with 1 when any is missing.\n"},
    {"relink",
     "  vtshow relink --search DIR [--search DIR]... [--yes] [--dry-run] -o NEW\n"
     "              [--append SHOW]... SHOW\n"
     "  vtshow relink --search DIR [--search DIR]... [--yes]\n"
     "              (-O DIR | --in-place | --dry-run) SHOW|FOLDER...\n",
     "relink   looks for the missing files by name under each DIR and moves each\n"
     "         row to the folder holding most of its files, as the path editor's\n"
     "         Modify does; a file found only elsewhere gets a path of its own. A tie\n"
     "         is shown with its candidates and left alone. Writes NEW as merge does\n"
     "         (not with --dry-run); exits with 1 when files are still missing.\n"
     "         Given several shows or folders (every *.vts below them), check and\n"
     "         relink read each show on its own, search the DIRs once for all,\n"
     "         print a line per show and a table; relink writes each changed show\n"
     "         under DIR with the same layout (-O), or over itself keeping the old\n"
     "         one as NAME.vts.bak (--in-place). Exit status 0 when every show is\n"
     "         whole, 1 when a file is missing or a show could not be read.\n"},
    {"pack", "  vtshow pack [--append SHOW]... [--yes] -o FOLDER SHOW\n",
     "pack     copies every file that SHOW and the appended shows need into FOLDER,\n"
     "         one subfolder per source folder, and writes FOLDER/NAME.vts with paths\n"
     "         relative to FOLDER; missing files are listed and keep their paths. A\n"
     "         FOLDER that is not empty is used only with --yes, and nothing in it is\n"
     "         replaced. Exit status 1 when a file was missing.\n"},
}};

constexpr std::string_view Closing =
    "\n"
    "Options end at \"--\": every word after it is a show. vtshow COMMAND --help\n"
    "shows one command's options. Exit status 2 means the command line was wrong.\n"
    "\n"
    "Every command takes --codepage N: the code page the shows' paths are in (874,\n"
    "1250 to 1258, 932, 936, 949, 950), for this run. Without it, the one Wine\n"
    "would use for the locale in LC_ALL, LC_CTYPE or LANG; 1252 for C and POSIX.\n";

const CommandText* textOf(std::string_view command) {
    for (const CommandText& text : Commands) {
        if (text.name == command)
            return &text;
    }
    return nullptr;
}

// "-o: 1 required NEW missing" names its option before the colon.
std::string optionNamed(std::string_view what) {
    return std::string(what.substr(0, what.find(':')));
}

} // namespace

std::string usageText() {
    std::string text = "usage:\n";
    for (const CommandText& command : Commands)
        text += command.usage;
    text += '\n';
    for (const CommandText& command : Commands)
        text += command.about;
    return text + std::string(Closing);
}

CommandOptions::CommandOptions(std::string_view command)
    : m_command(command), m_app(std::make_unique<CLI::App>("", "vtshow " + m_command)) {
    m_app->allow_extras(true); // an unknown option is told in our words
    m_app->set_help_flag("-h,--help", "shows this help");
}

CommandOptions::~CommandOptions() = default;

void CommandOptions::value(const std::string& name, std::string& target,
                           const std::string& valueName, const std::string& about) {
    m_app->add_option(name, target, about)
        ->option_text(valueName)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void CommandOptions::values(const std::string& name, std::vector<std::string>& target,
                            const std::string& valueName, const std::string& about) {
    m_app->add_option(name, target, about)->option_text(valueName)->allow_extra_args(false);
}

void CommandOptions::flag(const std::string& name, bool& target, const std::string& about) {
    m_app->add_flag(name, target, about);
}

void CommandOptions::positionals(std::vector<std::string>& target, const std::string& valueName) {
    m_app->add_option(valueName, target);
}

std::optional<int> CommandOptions::parse(const std::vector<std::string>& args, std::ostream& out,
                                         std::ostream& err) {
    std::vector<std::string> words(args.rbegin(), args.rend()); // CLI11 takes them last first
    try {
        m_app->parse(words);
    } catch (const CLI::CallForHelp&) {
        out << help();
        return Success;
    } catch (const CLI::ArgumentMismatch& mismatch) {
        return problem(err, optionNamed(mismatch.what()) + " needs a value");
    } catch (const CLI::ParseError& error) {
        return problem(err, error.what());
    }
    for (const std::string& unknown : m_app->remaining()) {
        if (unknown != "--") // kept there by CLI11 though it did end the options
            return problem(err, "unknown option " + unknown);
    }
    if (const auto option = valueMissing())
        return problem(err, *option + " needs a value");
    return std::nullopt;
}

// CLI11 takes "-o --yes" as -o with the value "--yes": one of the command's
// own options is never meant as a value.
std::optional<std::string> CommandOptions::valueMissing() const {
    for (const CLI::Option* option : m_app->get_options()) {
        if (option->get_positional() || option->get_type_size() == 0)
            continue;
        for (const std::string& value : option->results()) {
            if (value.size() > 1 && value[0] == '-' && m_app->get_option_no_throw(value))
                return option->get_name();
        }
    }
    return std::nullopt;
}

// A problem with one command's words shows that command's usage only: the
// whole of vtshow's would bury the one line that says what is wrong.
int CommandOptions::problem(std::ostream& err, std::string_view problem) const {
    err << "vtshow: " << terminalHostText(m_command + ": " + std::string(problem)) << "\n\nusage:\n"
        << textOf(m_command)->usage << "\nvtshow " << m_command << " --help shows its options.\n";
    return BadUsage;
}

std::string CommandOptions::help() const {
    const CommandText* text = textOf(m_command);
    std::string help =
        "usage:\n" + std::string(text->usage) + '\n' + std::string(text->about) + "\noptions:\n";
    for (const CLI::Option* option : m_app->get_options()) {
        if (option->get_positional())
            continue;
        std::string line = "  " + option->get_name(false, true);
        if (option->get_type_size() != 0)
            line += ' ' + option->get_option_text();
        line.resize(std::max<std::size_t>(line.size() + 2, 24), ' ');
        help += line + option->get_description() + '\n';
    }
    return help + "  --                    ends the options: every word after it is a show\n";
}

} // namespace vt::cli
