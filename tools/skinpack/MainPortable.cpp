#include "Skinpack.h"

#include <iostream>

int main(int argc, char** argv) {
    return skinpack::run(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}
