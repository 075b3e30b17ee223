// SPDX-FileCopyrightText: 2026 The Zirel developers
// SPDX-License-Identifier: MIT

pragma ComponentBehavior: Bound
import QtQuick
import Qt.labs.qmlmodels
import QtQuick.Controls.Basic
import Zirel.Ui
import Zirel.Settings

// The settings rows in one column, at most 640 points wide, scrolling when the window is low.
Flickable {
    id: list

    required property SettingsVC controller

    contentWidth: width
    contentHeight: rows.implicitHeight + 20
    boundsBehavior: Flickable.StopAtBounds
    clip: true
    ScrollBar.vertical: ScrollBar {}

    Column {
        id: rows
        x: (list.width - width) / 2
        width: Math.min(list.width, 640)

        // Each row drawn by the cell of its kind.
        Repeater {
            model: list.controller.rows
            delegate: DelegateChooser {
                role: "kind"
                DelegateChoice {
                    roleValue: RowModel.Caption
                    LabelCell { width: rows.width }
                }
                DelegateChoice {
                    roleValue: RowModel.Hint
                    HintLabelCell { width: rows.width }
                }
                DelegateChoice {
                    roleValue: RowModel.Slider
                    SliderCell { width: rows.width; controller: list.controller }
                }
                DelegateChoice {
                    roleValue: RowModel.RangeSlider
                    RangeSliderCell { width: rows.width; controller: list.controller }
                }
                DelegateChoice {
                    roleValue: RowModel.Toggle
                    ToggleCell { width: rows.width; controller: list.controller }
                }
                DelegateChoice {
                    roleValue: RowModel.Choice
                    NavigationCell { width: rows.width; controller: list.controller }
                }
                DelegateChoice {
                    roleValue: RowModel.Navigation
                    NavigationCell { width: rows.width; controller: list.controller }
                }
                DelegateChoice {
                    roleValue: RowModel.Button
                    ButtonCell { width: rows.width; controller: list.controller }
                }
                DelegateChoice {
                    roleValue: RowModel.Version
                    VersionCell { width: rows.width }
                }
            }
        }
    }
}
