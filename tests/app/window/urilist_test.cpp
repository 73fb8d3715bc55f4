#include "app/window/urilist.h"

#include <gtest/gtest.h>

TEST(UriList, DecodesLocalFilesInOrder)
{
    QByteArray data = "# dropped by a file manager\r\n"
                      "file:///home/li/%E6%98%A5%E6%97%A5.txt\r\n"
                      "file://localhost/tmp/with%20blank.txt\r\n"
                      "file:/short/form.txt\r\n"
                      "file:///home/li/folder\n";
    EXPECT_EQ(UriList::localPaths(data),
              (QByteArrayList{"/home/li/春日.txt", "/tmp/with blank.txt", "/short/form.txt",
                              "/home/li/folder"}));
}

TEST(UriList, LeavesOutWhatIsNotAFileHere)
{
    QByteArray data = "http://example.org/a.txt\r\n"
                      "file://otherhost/a.txt\r\n"
                      "file:///nul%00byte.txt\r\n"
                      "file:relative.txt\r\n"
                      "\r\n"
                      "smb://server/share/a.txt\r\n";
    EXPECT_TRUE(UriList::localPaths(data).isEmpty());
}

TEST(UriList, KeepsOddButValidNames)
{
    // A newline, a quote, a percent sign and a broken escape in file names.
    QByteArray data = "file:///t/line%0Abreak.txt\r\nfile:///t/%22q%22.txt\r\nfile:///t/"
                      "100%25.txt\r\nfile:///t/bad%zz.txt";
    EXPECT_EQ(
        UriList::localPaths(data),
        (QByteArrayList{"/t/line\nbreak.txt", "/t/\"q\".txt", "/t/100%.txt", "/t/bad%zz.txt"}));
}
