// veltrix-config: the configuration tool of the Veltrix-7A converter. It takes no arguments.
#include "Startup.h"

int main(int argc, char* argv[]) {
    return window::RunApplication(argc, argv);
}
