#include "app/StartProgram.h"

int main(int argc, char* argv[])
{
    return app::StartProgram(argc, argv);
}
