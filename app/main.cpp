#include "app/startup.h"

int main(int argc, char* argv[]) { return velunda::ui::RunProgram(argc, argv); }
