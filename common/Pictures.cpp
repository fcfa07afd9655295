#include "common/Pictures.h"

static void initPictures() {
    Q_INIT_RESOURCE(vtutil);
}

namespace vt {

void loadProgramPictures() { initPictures(); }

QIcon helpPicture() {
    loadProgramPictures();
    return QIcon(QStringLiteral(":/vtutil/help.png"));
}

} // namespace vt
