import QtQuick

// Space between groups of rows.
Item {
    implicitHeight: 20
}
