#pragma once

// Marks a text of the core for translation without changing it: the text
// stays as written, and the translation tools (lupdate, told to read this
// marker as QT_TRANSLATE_NOOP) collect it under its context. The windows
// translate it where they show it, by the same context and text.
#define VQ_TR_NOOP(context, text) text
