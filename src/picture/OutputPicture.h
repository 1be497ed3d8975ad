#pragma once
// mOutputPic: saves the bill page as the user sees it as a JPEG file of quality 80.
// The window passes the page as shown (a grab of the canvas, zoom and scroll
// included); RenderBillPicture draws the same page from the model.
class Asker;
class QImage;
class QString;

// The name the dialog gave, with ".jpg" appended unless its last four characters
// are exactly ".jpg".
QString WithJpgExtension(const QString& chosen);

// Asks for the file, asks before overwriting, writes the picture. Tells the user
// "保存图片出错！" when writing fails. True when a file was written.
bool OutputPicture(const QImage& shownPage, Asker& asker);
