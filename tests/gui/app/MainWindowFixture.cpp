#include "MainWindowFixture.h"

#include "common/QtText.h"

namespace vt::test {

frmMain& MainWindowTest::build() {
    window =
        std::make_unique<frmMain>(MainWindowSeams{prompter, dialogs, busy, starter, shell, help, shortcuts},
                                  "Z:\\opt\\Vantora\\", options, ProgramPaths{});
    return *window;
}

std::string MainWindowTest::text(const char* name) const {
    if (auto* label = qobject_cast<QLabel*>(control(name)))
        return fromQString(label->text());
    return fromQString(control<QAbstractButton>(name)->text());
}

std::string MainWindowTest::tip(const char* name) const {
    return fromQString(control(name)->toolTip());
}

std::vector<std::string> MainWindowTest::appendRows() const {
    auto* list = control<QComboBox>("ComboAppend");
    std::vector<std::string> rows;
    for (int i = 0; i < list->count(); ++i)
        rows.push_back(fromQString(list->itemText(i)));
    return rows;
}

std::string MainWindowTest::show(const std::string& name, int slides, const std::string& version) {
    ShowFile file;
    file.version = version;
    file.slides.resize(static_cast<std::size_t>(slides));
    for (std::size_t i = 0; i < file.slides.size(); ++i)
        file.slides[i].file = "C:\\Pics\\" + name + std::to_string(i) + ".jpg";
    temp.write(name, file.bytes());
    return temp.win(name);
}

} // namespace vt::test
