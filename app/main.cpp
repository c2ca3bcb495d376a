#include "app/app_shell.h"

int main(int argc, char** argv)
{
    return orvi::runApplication(argc, argv);
}
