#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>

#include <optional>

namespace sumwick::cups {

// The default printer's paper, asked of the CUPS scheduler in one small IPP request over its
// local socket, so that making a PDF loads no printing library. Used by DefaultPaperSizeUnits
// (report_grid.h). The pieces are here to be tested.

// A PWG media keyword such as "iso_a4_210x297mm" or "na_letter_8.5x11in" as a portrait size in
// grid units (1/96 inch); nothing when the keyword names no size.
std::optional<QSizeF> PwgMediaSizeUnits(const QString& keyword);

// An IPP/2.0 request asking for "printer-name" and "media-default": CUPS-Get-Default when
// `printer` is empty, else Get-Printer-Attributes of that printer.
QByteArray DefaultMediaRequest(const QString& printer);

struct MediaReply {
  int status = -1;  // the IPP status code; 0 successful, 0x0406 not found
  QString printerName;
  QString mediaDefault;
};
// Reads an HTTP response carrying an IPP message (Content-Length, chunked or until the end).
std::optional<MediaReply> ParseMediaReply(const QByteArray& httpResponse);

// The scheduler's local socket: CUPS_SERVER when it names a socket, else the usual places.
// Empty when CUPS is set up to use a server elsewhere (CUPS_SERVER host, client.conf ServerName)
// or when no socket exists.
QString LocalSchedulerSocket();

// Sends `ippRequest` to the scheduler's socket and reads the reply; nothing when the scheduler
// cannot be reached or does not answer within two seconds.
std::optional<MediaReply> AskScheduler(const QString& socketPath, const QByteArray& ippRequest);

}  // namespace sumwick::cups
