// The platform layer's compiled parts live beside its headers; this unit keeps
// the library non-empty while most of it is header-only.
#include "platform/Async.h"
