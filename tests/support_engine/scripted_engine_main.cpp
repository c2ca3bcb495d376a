#include "scripted_engine.h"

int main(int argc, char** argv)
{
    return scriptedEngineProcessMain(argc, argv);
}
