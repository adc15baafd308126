#pragma once

#include <QString>
#include <QStringList>

namespace contacts {

// The values of a field that may hold several (phones, e-mails, sites):
// separated by commas or blanks, a value in double quotes keeping its blanks
// and commas, two quotes inside it standing for one. Two commas with nothing
// between them, or one at the end, give an empty value.
QStringList splitValues(const QString& field);

// What the desktop is handed for a text of a contact: a text with a scheme
// ("http:", "mailto:", "callto:", ...) as it stands; an e-mail address, or
// several joined by ";", with "mailto:" before it; a web address written
// without its scheme ("www...") with "http://"; anything else (a file or
// folder path) as it stands.
QString openTarget(const QString& text);

// The map search for an address: its lines joined with one blank after
// each. Every character that would end the query or start a fragment is
// percent-encoded, so that "Via Roma 1 #4 & Co" arrives whole. Empty for an
// empty address.
QString mapSearchUrl(const QString& address);

// The web search for a name: its first 50 characters, blanks as "+", the
// rest percent-encoded.
QString webSearchUrl(const QString& name);

// The card's title: the name followed by three blanks, cut to 26 characters
// and "..." when that is longer than 29.
QString cardTitle(const QString& name);

} // namespace contacts
