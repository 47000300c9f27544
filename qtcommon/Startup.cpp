#include "qtcommon/Startup.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QIcon>

bool displayAvailable(const QString& platformArgument) {
    const QString platform =
        platformArgument.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platformArgument;
    if (!platform.isEmpty() && !platform.startsWith(QLatin1String("xcb")) &&
        !platform.startsWith(QLatin1String("wayland")))
        return true;
#if defined(Q_OS_LINUX)
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

void loadBundledFonts() {
    const QDir fonts(QStringLiteral(":/fonts"));
    for (const QString& f : fonts.entryList({QStringLiteral("*.otf"), QStringLiteral("*.ttf")}))
        QFontDatabase::addApplicationFont(fonts.filePath(f));
}

void setBundledWindowIcon() {
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& f : icons.entryList({QStringLiteral("*.png"), QStringLiteral("*.svg")}))
        icon.addFile(icons.filePath(f));
    if (icon.isNull()) icon.addFile(QStringLiteral(":/bitmaps/107.png"));
    QApplication::setWindowIcon(icon);
}

QStringList rawArguments(int argc, char** argv) {
    QStringList out;
    for (int i = 0; i < argc; ++i) out << QString::fromLocal8Bit(argv[i]);
    return out;
}
