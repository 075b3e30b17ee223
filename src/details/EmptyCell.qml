import QtQuick

// The gap between two rows of the details.
Item {
    height: 9
}
