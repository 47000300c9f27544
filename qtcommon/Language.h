#pragma once
#include <QString>
#include <QStringList>

// The languages the game is told in: its catalogue, history lessons and web
// pages; English is the language of the sources and the fallback of each.
const QStringList& gameLanguages();

// The language the windows speak: the first of QLocale()'s UI languages (the
// system's, or the default a language choice sets) that the game is told in,
// English otherwise. The catalogue and every translated resource follow it.
QString uiLanguage();

// "<folder>/<language>/<name>" where that file exists, else "<folder>/<name>":
// a resource in the given language with the English one as its fallback.
QString inLanguage(const QString& folder, const QString& name, const QString& language = uiLanguage());
