#include "application.h"

int main(int argc, char *argv[])
{
    return quillomar::run(argc, argv);
}
