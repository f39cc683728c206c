// Starts Selen's whole window and quits as soon as it is shown.
#include "shell/Startup.h"

int main(int argc, char** argv)
{
    return selen::shell::runSelen(argc, argv, true);
}
