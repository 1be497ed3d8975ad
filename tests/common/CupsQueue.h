#pragma once
// A real printer for tests: the CUPS scheduler with a cups-pdf queue "PDF" (runs as
// root), whose jobs land as PDF files in ~/PDF.
#include <QString>
#include <QStringList>

// Starts the scheduler and adds the queue; empty when ready, otherwise why not.
QString StartCupsPdfQueue();
// The PDF files cups-pdf has written so far.
QStringList CupsPdfFiles();
// The first file not in `before` once it appears (within a minute); empty when none.
QString WaitForNewCupsPdf(const QStringList& before);
