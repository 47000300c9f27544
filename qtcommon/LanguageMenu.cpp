#include "qtcommon/LanguageMenu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>

#include "qtcommon/Languages.h"

namespace {

struct Words {
    Q_DECLARE_TR_FUNCTIONS(LanguageMenu)
};

QString nameOf(const QString& code) {
    for (const Language& l : languages())
        if (l.code == code) return l.nativeName;
    return code;
}

}  // namespace

QString languageChosenText(const QString& code) {
    return Words::tr("%1 will be spoken from the next start of the program.").arg(nameOf(code));
}

QMenu* addLanguageMenu(QMenu* options, const std::function<void(const QString&)>& tell) {
    QMenu* menu = options->addMenu(Words::tr("Lan&guage"));
    auto* group = new QActionGroup(menu);
    const QString spoken = QLocale().name().left(2);
    for (const Language& l : languages()) {
        // The source language is whole by definition.
        const QString text = l.code == QLatin1String("en")
                                 ? l.nativeName
                                 : Words::tr("%1 (%2% translated)").arg(l.nativeName).arg(l.percentDone);
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(l.code == spoken);
        action->setData(l.code);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [code = l.code, tell] {
            rememberLanguage(code);
            tell(languageChosenText(code));
        });
    }
    return menu;
}
