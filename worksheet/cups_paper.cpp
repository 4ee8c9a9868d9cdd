#include "cups_paper.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QUrl>

#include <algorithm>
#include <cstring>

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace sumwick::cups {

namespace {

constexpr double kUnitsPerInch = 96.0;

void Put16(QByteArray& out, int value) {
  out.append(static_cast<char>((value >> 8) & 0xff));
  out.append(static_cast<char>(value & 0xff));
}

void PutAttribute(QByteArray& out, int tag, const QByteArray& name, const QByteArray& value) {
  out.append(static_cast<char>(tag));
  Put16(out, static_cast<int>(name.size()));
  out.append(name);
  Put16(out, static_cast<int>(value.size()));
  out.append(value);
}

int Get16(const QByteArray& in, qsizetype at) {
  return (static_cast<unsigned char>(in[at]) << 8) | static_cast<unsigned char>(in[at + 1]);
}

// The IPP message inside an HTTP response.
std::optional<QByteArray> HttpBody(const QByteArray& response) {
  const qsizetype end = response.indexOf("\r\n\r\n");
  if (end < 0 || !response.startsWith("HTTP/1.")) return std::nullopt;
  const QByteArray status = response.left(response.indexOf("\r\n"));
  if (status.split(' ').value(1) != "200") return std::nullopt;
  const QList<QByteArray> headers = response.left(end).split('\n');
  bool chunked = false;
  qsizetype length = -1;
  for (const QByteArray& raw : headers) {
    const QByteArray header = raw.trimmed().toLower();
    if (header.startsWith("transfer-encoding:") && header.contains("chunked")) chunked = true;
    if (header.startsWith("content-length:")) length = header.mid(15).trimmed().toLongLong();
  }
  QByteArray body = response.mid(end + 4);
  if (chunked) {
    QByteArray joined;
    qsizetype at = 0;
    while (true) {
      const qsizetype lineEnd = body.indexOf("\r\n", at);
      if (lineEnd < 0) return std::nullopt;
      bool ok = false;
      const qsizetype size = body.mid(at, lineEnd - at).split(';').value(0).trimmed().toLongLong(&ok, 16);
      if (!ok || size < 0) return std::nullopt;
      if (size == 0) break;
      if (lineEnd + 2 + size > body.size()) return std::nullopt;
      joined.append(body.mid(lineEnd + 2, size));
      at = lineEnd + 2 + size + 2;
    }
    return joined;
  }
  if (length >= 0) {
    if (body.size() < length) return std::nullopt;
    body.truncate(length);
  }
  return body;
}

}  // namespace

std::optional<QSizeF> PwgMediaSizeUnits(const QString& keyword) {
  // class_name_WxHunits: the size is the last part that reads as W x H in mm or in.
  static const QRegularExpression size(QStringLiteral("^(\\d+(?:\\.\\d+)?)x(\\d+(?:\\.\\d+)?)(mm|in)$"));
  const QStringList parts = keyword.split(u'_');
  for (auto it = parts.crbegin(); it != parts.crend(); ++it) {
    const QRegularExpressionMatch m = size.match(*it);
    if (!m.hasMatch()) continue;
    const double perUnit = m.captured(3) == QLatin1String("mm") ? kUnitsPerInch / 25.4 : kUnitsPerInch;
    const double w = m.captured(1).toDouble() * perUnit, h = m.captured(2).toDouble() * perUnit;
    if (w <= 0 || h <= 0) return std::nullopt;
    return QSizeF(std::min(w, h), std::max(w, h));
  }
  return std::nullopt;
}

QByteArray DefaultMediaRequest(const QString& printer) {
  QByteArray ipp;
  ipp.append('\x02').append('\x00');                // IPP/2.0
  Put16(ipp, printer.isEmpty() ? 0x4001 : 0x000B);  // CUPS-Get-Default, Get-Printer-Attributes
  ipp.append(QByteArray("\x00\x00\x00\x01", 4));    // request id 1
  ipp.append('\x01');                               // operation attributes
  PutAttribute(ipp, 0x47, "attributes-charset", "utf-8");
  PutAttribute(ipp, 0x48, "attributes-natural-language", "en");
  if (!printer.isEmpty()) {
    PutAttribute(ipp, 0x45, "printer-uri",
                 "ipp://localhost/printers/" + QUrl::toPercentEncoding(printer));
  }
  PutAttribute(ipp, 0x44, "requested-attributes", "printer-name");
  PutAttribute(ipp, 0x44, "", "media-default");  // a second value of the same attribute
  ipp.append('\x03');                            // end of attributes
  QByteArray http = "POST / HTTP/1.1\r\nHost: localhost\r\nContent-Type: application/ipp\r\n"
                    "Connection: close\r\nContent-Length: " +
                    QByteArray::number(ipp.size()) + "\r\n\r\n";
  return http + ipp;
}

std::optional<MediaReply> ParseMediaReply(const QByteArray& httpResponse) {
  const std::optional<QByteArray> body = HttpBody(httpResponse);
  if (!body || body->size() < 9) return std::nullopt;
  const QByteArray& in = *body;
  MediaReply reply;
  reply.status = Get16(in, 2);
  qsizetype at = 8;
  QByteArray name;
  while (at < in.size()) {
    const int tag = static_cast<unsigned char>(in[at++]);
    if (tag == 0x03) break;        // end of attributes
    if (tag < 0x10) continue;      // a group delimiter
    if (at + 2 > in.size()) return std::nullopt;
    const int nameLength = Get16(in, at);
    at += 2;
    if (at + nameLength + 2 > in.size()) return std::nullopt;
    if (nameLength > 0) name = in.mid(at, nameLength);  // else: another value of `name`
    at += nameLength;
    const int valueLength = Get16(in, at);
    at += 2;
    if (at + valueLength > in.size()) return std::nullopt;
    const QByteArray value = in.mid(at, valueLength);
    at += valueLength;
    if (name == "printer-name" && reply.printerName.isEmpty()) reply.printerName = QString::fromUtf8(value);
    if (name == "media-default" && reply.mediaDefault.isEmpty()) reply.mediaDefault = QString::fromUtf8(value);
  }
  return reply;
}

QString LocalSchedulerSocket() {
  const QString server = qEnvironmentVariable("CUPS_SERVER");
  if (!server.isEmpty()) return server.startsWith(u'/') ? server : QString();
  for (const QString& conf : {QStringLiteral("/etc/cups/client.conf")}) {
    QFile file(conf);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
    while (!file.atEnd()) {
      const QString line = QString::fromUtf8(file.readLine()).trimmed();
      if (line.startsWith(QLatin1String("ServerName"), Qt::CaseInsensitive)) {
        const QString value = line.section(u' ', 1, 1, QString::SectionSkipEmpty);
        return value.startsWith(u'/') ? value : QString();
      }
    }
  }
  for (const char* path : {"/run/cups/cups.sock", "/var/run/cups/cups.sock"}) {
    if (QFileInfo::exists(QString::fromLatin1(path))) return QString::fromLatin1(path);
  }
  return QString();
}

std::optional<MediaReply> AskScheduler(const QString& socketPath, const QByteArray& ippRequest) {
  const QByteArray path = QFile::encodeName(socketPath);
  sockaddr_un address{};
  if (path.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) return std::nullopt;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return std::nullopt;
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) != 0) return std::nullopt;
  qsizetype sent = 0;
  while (sent < ippRequest.size()) {
    const ssize_t n = ::send(fd, ippRequest.constData() + sent, static_cast<size_t>(ippRequest.size() - sent),
                             MSG_NOSIGNAL);
    if (n <= 0) return std::nullopt;
    sent += n;
  }
  QByteArray response;
  char buffer[8192];
  while (response.size() < (1 << 20)) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 2000) <= 0) return std::nullopt;
    const ssize_t n = ::recv(fd, buffer, sizeof(buffer), 0);
    if (n < 0) return std::nullopt;
    if (n == 0) break;  // the scheduler closes the connection after its answer
    response.append(buffer, n);
  }
  return ParseMediaReply(response);
}

}  // namespace sumwick::cups
