#pragma once

#include <QString>

namespace map {

// The script texts the map window runs in its page. Values reach the page as data only: a
// plain number stays as it is, anything else becomes a JavaScript string literal whose quotes,
// backslashes, line ends and "<" are escaped, so that no address can end the literal, the call
// or the page's script element.
namespace MapScripts {

QString stringLiteral(const QString &value);
// A longitude or latitude: a plain decimal number as it stands, otherwise a string literal the
// page reads as no position.
QString coordinate(const QString &value);

QString getOnLine();
QString setLocationByPoint(const QString &longitude, const QString &latitude);
QString putSearchAddress(const QString &address);
QString searchSite();
QString setCenterByLongLati(const QString &longitude, const QString &latitude, int index,
                            const QString &address);
QString markCluster();
QString setCallWinForm();
QString clearOverlays();
// Takes the page back to how it was loaded, for a new showing of the window on it; the map
// moves back to the whole country only when asked, since the showing may move it itself.
QString resetPage(bool toWholeCountry);
// Hands the page the division centre the local geocoder found for the address, which the page
// uses when no geocoder of the network answers; an empty name clears it.
QString setLocalPlace(double longitude, double latitude, const QString &name);

} // namespace MapScripts

} // namespace map
