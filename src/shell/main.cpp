#include "Startup.h"

int main(int argc, char** argv)
{
    return selen::shell::runSelen(argc, argv);
}
