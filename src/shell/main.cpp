#include "Startup.h"

#include "report/PosixFileSystem.h"

int main(int argc, char** argv)
{
    selen::ignoreFileSizeSignal();
    return selen::shell::runSelen(argc, argv);
}
