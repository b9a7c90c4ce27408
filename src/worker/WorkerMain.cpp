// The engine's worker process, started by the program itself.

#include "worker/WorkerProcess.h"

int main(int argc, char **argv)
{
    return WorkerProcess::run(argc, argv);
}
