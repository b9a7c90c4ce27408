#pragma once

// The two failures the engine reports while making output, with the sentences
// the user is shown. The codes are PDFEngine::EngineError values.

#include "engine/PDFEngine.h"
#include "platform/Async.h"

#include <QCoreApplication>

namespace BuildErrors {

inline Error missingPage()
{
    return Error{QCoreApplication::translate(
                     "PDFEngine", "A page of this file can't be read anymore. Open the file again."),
                 int(PDFEngine::EngineError::MissingPage), false};
}

inline Error writeFailed()
{
    return Error{QCoreApplication::translate("PDFEngine", "The PDF couldn't be made. Try again."),
                 int(PDFEngine::EngineError::WriteFailed), false};
}

} // namespace BuildErrors
