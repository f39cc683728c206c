#include "SelenApplication.h"

#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QTranslator>

#include <exception>

namespace selen::shell {

SelenApplication::SelenApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // No display name: the platform would append it to the caption, which
    // is the program's own title and file name and nothing else.
    setApplicationName(QStringLiteral("Selen"));
}

bool SelenApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Selen"), QString::fromUtf8(e.what()));
    } catch (...) {
        QMessageBox::critical(activeWindow(), QStringLiteral("Selen"), QStringLiteral("予期しないエラーが起きました。"));
    }
    return false;
}

void SelenApplication::setUpLook()
{
    auto* translator = new QTranslator(this);
    if (translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);

    // The window's proportional font; the pages use the fixed-pitch one.
    QFont font(QStringLiteral("IPAPGothic"));
    font.setPixelSize(12);
    setFont(font);
}

}  // namespace selen::shell
