#include "cups_paper.h"

#include <gtest/gtest.h>

namespace sumwick::cups {
namespace {

TEST(PwgMediaSize, ReadsTheSizeFromTheKeyword) {
  struct Row { const char* keyword; double width, height; };
  for (const Row r : {Row{"iso_a4_210x297mm", 793.70, 1122.52},
                      Row{"na_letter_8.5x11in", 816.0, 1056.0},
                      Row{"na_letter_8.5x11in_borderless", 816.0, 1056.0},
                      Row{"iso_a4_297x210mm", 793.70, 1122.52},  // stays portrait
                      Row{"om_small-photo_100x150mm", 377.95, 566.93}}) {
    const std::optional<QSizeF> size = PwgMediaSizeUnits(QString::fromLatin1(r.keyword));
    ASSERT_TRUE(size) << r.keyword;
    EXPECT_NEAR(size->width(), r.width, 0.01) << r.keyword;
    EXPECT_NEAR(size->height(), r.height, 0.01) << r.keyword;
  }
  for (const char* junk : {"", "A4", "iso_a4", "x_0x297mm", "custom_axbmm"})
    EXPECT_FALSE(PwgMediaSizeUnits(QString::fromLatin1(junk))) << junk;
}

QByteArray IppAttribute(int tag, const QByteArray& name, const QByteArray& value) {
  QByteArray out;
  out.append(static_cast<char>(tag));
  out.append(static_cast<char>(name.size() >> 8)).append(static_cast<char>(name.size() & 0xff));
  out.append(name);
  out.append(static_cast<char>(value.size() >> 8)).append(static_cast<char>(value.size() & 0xff));
  out.append(value);
  return out;
}

QByteArray IppReply(int status) {
  QByteArray ipp("\x02\x00", 2);
  ipp.append(static_cast<char>(status >> 8)).append(static_cast<char>(status & 0xff));
  ipp.append(QByteArray("\x00\x00\x00\x01\x01", 5));
  ipp += IppAttribute(0x47, "attributes-charset", "utf-8");
  ipp += IppAttribute(0x48, "attributes-natural-language", "en");
  ipp.append('\x04');  // printer attributes
  ipp += IppAttribute(0x42, "printer-name", "Office");
  ipp += IppAttribute(0x44, "media-default", "na_letter_8.5x11in");
  ipp.append('\x03');
  return ipp;
}

TEST(MediaReply, ReadsContentLengthAndChunkedReplies) {
  const QByteArray ipp = IppReply(0);
  const QByteArray plain = "HTTP/1.1 200 OK\r\nContent-Type: application/ipp\r\nContent-Length: " +
                           QByteArray::number(ipp.size()) + "\r\n\r\n" + ipp;
  std::optional<MediaReply> reply = ParseMediaReply(plain);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->status, 0);
  EXPECT_EQ(reply->printerName, "Office");
  EXPECT_EQ(reply->mediaDefault, "na_letter_8.5x11in");

  const QByteArray chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n" +
                             QByteArray::number(10, 16) + "\r\n" + ipp.left(10) + "\r\n" +
                             QByteArray::number(ipp.size() - 10, 16) + "\r\n" + ipp.mid(10) +
                             "\r\n0\r\n\r\n";
  reply = ParseMediaReply(chunked);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->mediaDefault, "na_letter_8.5x11in");

  // Not found (no default printer), cut short, or not HTTP at all.
  const QByteArray none = IppReply(0x0406).left(8 + 1) + "\x03";
  reply = ParseMediaReply("HTTP/1.1 200 OK\r\n\r\n" + none);
  ASSERT_TRUE(reply);
  EXPECT_EQ(reply->status, 0x0406);
  EXPECT_TRUE(reply->mediaDefault.isEmpty());
  EXPECT_FALSE(ParseMediaReply(plain.left(plain.size() - 5)));
  EXPECT_FALSE(ParseMediaReply("garbage"));
  EXPECT_FALSE(ParseMediaReply("HTTP/1.1 403 Forbidden\r\n\r\n"));
}

TEST(MediaRequest, AsksForTheNameAndTheDefaultMedium) {
  const QByteArray server = DefaultMediaRequest(QString());
  ASSERT_TRUE(server.startsWith("POST / HTTP/1.1\r\n"));
  const QByteArray ipp = server.mid(server.indexOf("\r\n\r\n") + 4);
  EXPECT_TRUE(server.contains("Content-Length: " + QByteArray::number(ipp.size())));
  EXPECT_EQ(ipp.mid(2, 2), QByteArray("\x40\x01", 2));  // CUPS-Get-Default
  EXPECT_TRUE(ipp.contains("requested-attributes") && ipp.contains("media-default"));
  EXPECT_FALSE(ipp.contains("printer-uri"));
  const QByteArray printer = DefaultMediaRequest(QStringLiteral("Office 2"));
  const QByteArray ipp2 = printer.mid(printer.indexOf("\r\n\r\n") + 4);
  EXPECT_EQ(ipp2.mid(2, 2), QByteArray("\x00\x0b", 2));  // Get-Printer-Attributes
  EXPECT_TRUE(ipp2.contains("ipp://localhost/printers/Office%202"));
  EXPECT_EQ(ipp2.back(), '\x03');
}

TEST(Scheduler, AnswersOrIsAbsent) {
  const QString socket = LocalSchedulerSocket();
  if (socket.isEmpty()) GTEST_SKIP() << "no local CUPS scheduler";
  const std::optional<MediaReply> reply = AskScheduler(socket, DefaultMediaRequest(QString()));
  ASSERT_TRUE(reply);
  EXPECT_TRUE(reply->status == 0 || reply->status == 0x0406) << reply->status;
  EXPECT_FALSE(AskScheduler(QStringLiteral("/nonexistent/cups.sock"), DefaultMediaRequest(QString())));
}

}  // namespace
}  // namespace sumwick::cups
