import QtQuick
import QtQuick.Dialogs
import Flexio

// Qt's file dialog for saving the learner's progress to a file (saving) or loading it from one.
// Loaded only where its modules are installed (QmlModules.fileDialogs).
FileDialog {
    property bool saving
    fileMode: saving ? FileDialog.SaveFile : FileDialog.OpenFile
    defaultSuffix: "json"
    nameFilters: ["Progress files (*.json)"]
    onAccepted: saving ? ProgressTransfer.exportToFile(selectedFile) : ProgressTransfer.importFromFile(selectedFile)
}
