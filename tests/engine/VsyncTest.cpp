// Which swap control the driver offers is read from its extension list, one whole name at a time.
#include "TovarWorks/Platform/Vsync.h"

#include <gtest/gtest.h>

using TovarWorks::namesExtension;

TEST(VsyncTest, AnExtensionCountsOnlyAsAWholeNameInTheList) {
    const char* wanted = "GLX_EXT_swap_control";
    for (const char* list : {"GLX_EXT_swap_control", "GLX_EXT_swap_control GLX_ARB_a", "GLX_ARB_a GLX_EXT_swap_control",
                             "GLX_ARB_a GLX_EXT_swap_control GLX_ARB_b", "GLX_EXT_swap_control_tear GLX_EXT_swap_control "})
        EXPECT_TRUE(namesExtension(list, wanted)) << list;
    for (const char* list : {"", "GLX_EXT_swap_control_tear", "GLX_EXT_swap_contro", "XGLX_EXT_swap_control",
                             "GLX_ARB_a GLX_EXT_swap_control_tear", "GLX_ARB_a_GLX_EXT_swap_control"})
        EXPECT_FALSE(namesExtension(list, wanted)) << list;
}
