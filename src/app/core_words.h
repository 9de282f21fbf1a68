// The core's messages in the program's language. The core words its failures in English with
// numbered places and the values apart (Words, Error::words); here each wording is looked up in
// the translation context "CoreMessage" (translations/pelterra_ja.ts) and filled with its values,
// a value translated too when it is a wording of its own (a system reason, a nested message).
// Without a Japanese translation loaded the words come out as the core's English.
#pragma once

#include <QString>

#include "result.h"

namespace pelterra::app {

QString wordText(const Words& words);

// "file: what went wrong", as Error::describe() says it, in the program's language.
QString wordError(const Error& error);

}  // namespace pelterra::app
