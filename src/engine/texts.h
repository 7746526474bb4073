#pragma once

// Marks an English text for the translators without Qt: lupdate reads it as QT_TRANSLATE_NOOP (the
// build and the tests give it -tr-function-alias), and the window that shows the text translates it
// in the same context. The English stays the text itself.
#define ZORVA_TEXT(context, text) text
