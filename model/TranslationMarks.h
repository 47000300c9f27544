#pragma once
// The core and the terminal are built without Qt; these marks leave each
// text as it is, and let Qt's lupdate take the marked texts into the
// windows' catalogues, which the page and the terminal read too. Under Qt
// its own definitions stand.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
#ifndef QT_TRANSLATE_N_NOOP
#define QT_TRANSLATE_N_NOOP(context, text) text
#endif
