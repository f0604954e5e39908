#include <gtest/gtest.h>

#include "common/centre_window.h"
#include "common/path.h"

namespace {

TEST(Path, SplitsAtTheLastSeparator) {
  const std::string sep(1, kPathSeparator);
  const std::string path = sep + "maps" + sep + "tiles.old.png";
  EXPECT_EQ(FilePart(path), "tiles.old.png");
  EXPECT_EQ(FolderPart(path), sep + "maps");
  EXPECT_EQ(BaseName(path), "tiles.old");
  EXPECT_EQ(BaseName("forest"), "forest");
  EXPECT_EQ(FilePart("forest.png"), "forest.png");
  EXPECT_EQ(FolderPart("forest.png"), "");
}

#ifdef _WIN32
TEST(Path, TrailBytesThatLookLikeBackslashesAreNotSeparators) {
  // "表" and "ソ" end in the byte 0x5C in Shift-JIS.
  EXPECT_EQ(FilePart("C:\\maps\\表.png"), "表.png");
  EXPECT_EQ(FolderPart("C:\\maps\\表.png"), "C:\\maps");
  EXPECT_EQ(BaseName("C:\\ソ\\表"), "表");
  EXPECT_EQ(FolderPart("C:\\ソ\\表"), "C:\\ソ");
}
#endif

TEST(CentreWindow, MovesByTheRightAndBottomEdges) {
  const WindowPosition atOrigin = CentredPosition(1024, 768, 300, 200);
  EXPECT_EQ(atOrigin.x, 362);
  EXPECT_EQ(atOrigin.y, 284);
  const WindowPosition moved = CentredPosition(1024, 768, 100 + 300, 50 + 200);
  EXPECT_EQ(moved.x, 312);
  EXPECT_EQ(moved.y, 259);
  const WindowPosition large = CentredPosition(1024, 768, 1100, 900);
  EXPECT_EQ(large.x, -38);
  EXPECT_EQ(large.y, -66);
}

}  // namespace
