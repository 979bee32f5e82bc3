// The window's icon is part of the content the build makes.
#include <SOIL/SOIL.h>
#include <gtest/gtest.h>

#include <string>

TEST(WindowIcon, TheIconTheWindowLoadsExistsAndDecodes) {
    const std::string path = std::string(TOLVEX_SOURCE_DIR) + "/Resources/icon.png";
    int width = 0, height = 0, channels = 0;
    unsigned char* pixels = SOIL_load_image(path.c_str(), &width, &height, &channels, SOIL_LOAD_RGBA);
    ASSERT_NE(pixels, nullptr) << path << " is missing or broken";
    EXPECT_EQ(width, 64);
    EXPECT_EQ(height, 64);
    SOIL_free_image_data(pixels);
}
