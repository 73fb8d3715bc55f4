#include "app/window/openrequest.h"

#include <gtest/gtest.h>

// A request arrives in pieces; only its end makes it whole, and the bytes
// of a name that is not UTF-8 come through unchanged.
TEST(OpenRequest, WholeOnlyAtItsEndWithPathBytesUnchanged)
{
    const QByteArrayList paths = {"/home/user/one.txt", "/data/\xb1\xca\xbc\xc7.txt", "/data/tree"};
    const QByteArray message = OpenRequest::encode(paths);
    for (qsizetype length = 0; length < message.size(); ++length)
        EXPECT_FALSE(OpenRequest::decode(message.left(length))) << length;
    EXPECT_EQ(OpenRequest::decode(message), paths);
    EXPECT_EQ(OpenRequest::decode(OpenRequest::encode({"", "/a.txt"})), QByteArrayList{"/a.txt"})
        << "an empty path must not end the message early";
}
