#pragma once
// The "确  定" / "取  消" buttons of the printing dialogs, wired to accept and reject.
class QDialog;
class QDialogButtonBox;

QDialogButtonBox* OkCancelButtons(QDialog* dialog);
