#include "orvi_lathe_core.h"

int main(int argc, char** argv)
{
    return orvi_lathe_main(argc, argv);
}
