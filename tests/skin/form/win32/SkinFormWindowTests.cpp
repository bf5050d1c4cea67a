#include "core/Error.h"
#include "gui/Form.h"
#include "skin/form/win32/SkinForm.h"

#include <gtest/gtest.h>

TEST(SkinFormWindow, OwnerMustBeAForm) {
    core::Component owner;
    EXPECT_THROW(skin::SkinForm form(&owner), core::Error);
}
