#include "MainWindowFixture.h"

#include "common/QtText.h"

namespace vt::test {

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
    for (int i = 0; i < slides; ++i) {
        ShowFile::SlideLines slide;
        slide.file = "C:\\Pics\\" + name + std::to_string(i) + ".jpg";
        file.slides.push_back(slide);
    }
    temp.write(name, file.bytes());
    return temp.win(name);
}

} // namespace vt::test
