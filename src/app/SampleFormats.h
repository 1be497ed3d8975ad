#pragma once
// Three sample formats drawn by the program itself, so that a newcomer can print
// within a minute: an A4 bank slip, a 241 × 140 mm continuous waybill and one address
// label of a 2 × 5 label sheet. Each comes with a generated background picture, boxes
// of sensible data types and filled sample values (its default records, the dates
// today's), sets the printer's paper to its own size, and the slip's 金额 fills its
// 金额大写.
#include <QStringList>

class Database;
class Progress;

// The names of the sample formats, in the order they are made.
QStringList SampleFormatNames();

// Stores the samples that do not exist yet; the names stored. `error` says what
// failed, when anything did.
QStringList CreateSampleFormats(Database& db, Progress& progress, QString* error);
