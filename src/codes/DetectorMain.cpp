// The code detector's program, started by tamsel for each reader it needs.

#include "codes/DetectorProcess.h"
#include "platform/Sandbox.h"

#include <fcntl.h>

int main()
{
    if (!Sandbox::enter().ok || fcntl(Sandbox::channelFd, F_GETFD) < 0) {
        return 1; // not started by tamsel, or no longer wanted
    }
    return DetectorProcess::serve(Sandbox::channelFd);
}
