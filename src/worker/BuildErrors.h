#pragma once

// The failures the worker reports while making output, as Results carry them:
// codes only, which the program words.

#include "engine/WorkerProtocol.h"
#include "platform/Async.h"

namespace BuildErrors {

using WorkerProtocol::Fault;

inline Error missingPage()
{
    return WorkerProtocol::faultError(Fault::MissingPage);
}

inline Error writeFailed()
{
    return WorkerProtocol::faultError(Fault::WriteFailed);
}

// The output's file could not be written, for the system's reason `systemError`.
inline Error fileFailed(int systemError)
{
    return WorkerProtocol::faultError(Fault::WriteFailed, systemError);
}

inline Error onlyAsPictures()
{
    return WorkerProtocol::faultError(Fault::OnlyAsPictures);
}

} // namespace BuildErrors
