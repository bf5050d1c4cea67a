// Loads the installed Velmora skin through the installed skin store and checks the installed packer
// accepts it: exit 0 when both work.
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

int main() {
    try {
        skin::CompressedStoredSkin package;
        package.readCompressedSkinFile(SKIN_FILE);
        skin::SkinData store;
        store.setCompressedStoredSkin(&package);
        if (store.isSkinEmpty() || store.findSkinControl("panel") < 0) {
            std::fprintf(stderr, "the installed skin loaded empty\n");
            return 1;
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "loading the installed skin failed: %s\n", e.what());
        return 1;
    }
    return std::system(SKINPACK " verify " SKIN_FILE) == 0 ? 0 : 1;
}
