#pragma once

// The failures the engine reports while making output, as Results carry them.

#include "engine/PDFEngine.h"
#include "platform/Async.h"

namespace BuildErrors {

inline Error of(PDFEngine::EngineError error)
{
    return Error{PDFEngine::message(error), int(error), false};
}

inline Error missingPage()
{
    return of(PDFEngine::EngineError::MissingPage);
}

inline Error writeFailed()
{
    return of(PDFEngine::EngineError::WriteFailed);
}

// The output's file could not be written, for the system's reason `systemError`.
inline Error fileFailed(int systemError)
{
    Error error = writeFailed();
    error.systemError = systemError;
    return error;
}

inline Error onlyAsPictures()
{
    return of(PDFEngine::EngineError::OnlyAsPictures);
}

inline Error tooLarge()
{
    return of(PDFEngine::EngineError::TooLarge);
}

} // namespace BuildErrors
