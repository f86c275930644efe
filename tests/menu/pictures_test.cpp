// The tiled background and the entry pictures.
#include "menu/background_tiles.h"
#include "menu_fixture.h"

namespace menu::testing {
namespace {

using forms::headless::Backend;

class Background : public MenuTest {
protected:
    std::vector<forms::headless::DrawCall> StartWithBackground(const std::string& picture,
                                                               int items) {
        WriteProject("[General]\nColorPic=False\nItems=" + std::to_string(items) +
                     "\nBackgroundPic=" + picture + "\n");
        Start();
        return Backend::DrawCalls(main);
    }
};

void ExpectGrid(const std::vector<forms::headless::DrawCall>& draws, int columns, int rows,
                forms::Twips step) {
    ASSERT_EQ(draws.size(), static_cast<std::size_t>(columns * rows));
    std::set<std::pair<int, int>> seen;
    for (const auto& draw : draws) {
        EXPECT_EQ(draw.x % step, 0);
        EXPECT_EQ(draw.y % step, 0);
        EXPECT_LT(draw.x / step, columns);
        EXPECT_LT(draw.y / step, rows);
        seen.insert({draw.x, draw.y});
    }
    EXPECT_EQ(seen.size(), draws.size()) << "no tile twice";
}

TEST_F(Background, TilesCoverTheWideWindowUpToItsOuterSize) {
    const auto draws = StartWithBackground(WriteBmp("back.bmp", 32, 32), 6);
    // Outer size 9615 x 4455: x = 0 .. 9600, y = 0 .. 4320 in steps of 480.
    ExpectGrid(draws, 21, 10, 480);
    EXPECT_EQ(main.picBackground.Width(), 480);
    EXPECT_EQ(main.BackColor(), 8421376u);
    ASSERT_FALSE(draws.empty());
    EXPECT_EQ(draws[0].picture, main.picBackground.Picture());
}

TEST_F(Background, TilesCoverOnlyTheNarrowWindow) {
    const auto draws = StartWithBackground(WriteBmp("back.bmp", 32, 32), 3);
    ExpectGrid(draws, 13, 10, 480);  // x = 0 .. 5760 within 6000
}

TEST_F(Background, PictureWiderThanSixteenBitsIsPaintedOnce) {
    // 2200 pixels are 33000 twips, beyond the range of a 16-bit number.
    const auto draws = StartWithBackground(WriteBmp("wide.bmp", 2200, 320), 6);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].x, 0);
    EXPECT_EQ(draws[0].y, 0);
}

TEST_F(Background, FolderOrDamagedFileKeepsThePlainColour) {
    services.existing.insert(dir.string());
    EXPECT_TRUE(StartWithBackground(dir.string(), 1).empty());
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(main.BackColor(), 8421376u);

    const std::string damaged = WriteFile("kaputt.bmp", "BM kein Bild");
    main.MakeBackground(damaged);
    EXPECT_TRUE(Backend::DrawCalls(main).empty());
}

TEST(TilePositions, TileWithoutSizeOrLargerThanTheArea) {
    // A tile that ends exactly on the edge still gets the next one at the edge.
    EXPECT_EQ(TilePositions(480, 480, 960, 480),
              (std::vector<TilePosition>{{0, 0}, {0, 480}, {480, 0}, {480, 480}, {960, 0},
                                         {960, 480}}));
    EXPECT_TRUE(TilePositions(0, 480, 6000, 4000).empty());
    EXPECT_TRUE(TilePositions(480, -1, 6000, 4000).empty());
    EXPECT_EQ(TilePositions(40000, 40000, 9615, 4455), (std::vector<TilePosition>{{0, 0}}));
    // Steps past the largest twips value end the loop instead of wrapping.
    EXPECT_EQ(TilePositions(2000000000, 2000000000, 2100000000, 0).size(), 2u);
}

class EntryIcons : public MenuTest {
protected:
    void StartWithIcon(const std::string& icon) {
        WriteProject("[General]\n[Item1]\nicon=" + icon + "\n");
        Start();
    }
};

TEST_F(EntryIcons, EmptyValueGivesTheDefaultPicture) {
    StartWithIcon("");
    EXPECT_EQ(main.cmdItem[0].Picture(), main.DefaultPic.Picture());
    EXPECT_TRUE(backend.shellIconCalls.empty());
}

TEST_F(EntryIcons, IconFileIsLoadedWhateverTheCase) {
    const std::string icon = WriteIco("a.Ico", 32);
    StartWithIcon(icon);
    const forms::Picture& picture = main.cmdItem[0].Picture();
    ASSERT_FALSE(picture.Empty());
    EXPECT_NE(picture, main.DefaultPic.Picture());
    EXPECT_EQ(picture.WidthPixels(), 32);
    EXPECT_TRUE(backend.shellIconCalls.empty());
}

TEST_F(EntryIcons, MissingIconFileKeepsTheDefaultPicture) {
    StartWithIcon("\\icons\\fehlt.ico");
    EXPECT_EQ(main.cmdItem[0].Picture(), main.DefaultPic.Picture());
    EXPECT_TRUE(backend.shellIconCalls.empty());
}

TEST_F(EntryIcons, OtherPathsShowTheSmallShellIconOnGrey) {
    const forms::Picture small = Backend::MakePicture(17, 17, "small");
    const forms::Picture large = Backend::MakePicture(33, 33, "large");
    backend.shellIcon = [&](const std::string& path,
                            bool isSmall) -> std::optional<forms::Picture> {
        if (path != "D:\\setup.exe") return std::nullopt;
        return isSmall ? small : large;
    };
    StartWithIcon("\\setup.exe");
    EXPECT_EQ(main.cmdItem[0].Picture(), small);
    EXPECT_EQ(main.pixSmall.Picture(), small);
    EXPECT_EQ(main.pixLarge.Picture(), large);
    ASSERT_EQ(backend.shellIconCalls.size(), 2u);
    for (const auto& call : backend.shellIconCalls) {
        EXPECT_EQ(call.path, "D:\\setup.exe");
        EXPECT_EQ(call.background, 0xC0C0C0u);
    }
}

TEST_F(EntryIcons, PathTheShellDoesNotKnowGivesTheDefaultPicture) {
    const forms::Picture other = Backend::MakePicture(17, 17, "other");
    main.cmdItem[0].SetPicture(other);
    main.ExtractIcons("D:\\fehlt.exe", 0);
    EXPECT_EQ(main.cmdItem[0].Picture(), main.DefaultPic.Picture());

    // Only the large icon known: the small one cannot be drawn.
    backend.shellIcon = [&](const std::string&, bool isSmall) -> std::optional<forms::Picture> {
        if (isSmall) return std::nullopt;
        return Backend::MakePicture(33, 33, "large");
    };
    main.cmdItem[0].SetPicture(other);
    main.ExtractIcons("D:\\halb.exe", 0);
    EXPECT_EQ(main.cmdItem[0].Picture(), main.DefaultPic.Picture());

    // An index without a place changes nothing and does not throw.
    main.ExtractIcons("D:\\halb.exe", 12);
    main.ExtractIcons("D:\\halb.exe", -1);
}

}  // namespace
}  // namespace menu::testing
