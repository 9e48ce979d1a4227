<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Localizable</name>
    <message>
        <source>menu_calibrate</source>
        <translation>Calibrate</translation>
    </message>
    <message>
        <source>menu_Diagnosis</source>
        <translation>Diagnosis</translation>
    </message>
    <message>
        <source>menu_Annotate</source>
        <translation>Annotate</translation>
    </message>
    <message>
        <source>menu_Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>about_version</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>AboutWindowController</name>
    <message>
        <source>about_product</source>
        <translation>eBoard Agent</translation>
    </message>
    <message>
        <source>about_description</source>
        <translation>Pen driver for the HN-42 camera unit</translation>
    </message>
    <message>
        <source>about_copyright</source>
        <translation>Open-source software</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <!-- dialog windows: texts, then the pictures a language may name for itself -->
    <message>
        <source>normalCalibrateStartTitle</source>
        <translation>Calibrate the pen</translation>
    </message>
    <message>
        <source>normalCalibrateStart</source>
        <translation>The camera preview will fill the screen. Check that the whole screen lies inside the frame, then press Space and touch the centre of each of the four crosshairs with the pen. Press Escape at any time to stop.</translation>
    </message>
    <message>
        <source>completeCalibrateStartTitle</source>
        <translation>Diagnose the camera position</translation>
    </message>
    <message>
        <source>completeCalibrateStart</source>
        <translation>A diagnosis runs a calibration and then grades how well the camera sees the screen, with advice on where to place it. Press Space on the preview and touch the four crosshairs with the pen. Press Escape at any time to stop.</translation>
    </message>
    <message>
        <source>ExitCalTitle</source>
        <translation>Stop the calibration?</translation>
    </message>
    <message>
        <source>ExitCal</source>
        <translation>If you stop now, the pen keeps its previous calibration. Choose Yes to stop, or No to go back to the step you left.</translation>
    </message>
    <message>
        <source>ExitDiaTitle</source>
        <translation>Stop the diagnosis?</translation>
    </message>
    <message>
        <source>ExitDia</source>
        <translation>If you stop now, no advice on the camera position is given. Choose Yes to stop, or No to go back to the step you left.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishTitle</source>
        <translation>Calibration finished</translation>
    </message>
    <message>
        <source>normalCalibrateFinishContent1</source>
        <translation>The pen is calibrated and ready to use.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishContent2</source>
        <translation>If the pointer does not follow the pen well, run a diagnosis from the menu.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishPoorContent1</source>
        <translation>The camera sees only part of the screen, or sees it at a steep angle: the pen may not reach every corner.</translation>
    </message>
    <message>
        <source>normalCalibrateFinishPoorContent2</source>
        <translation>Start a diagnosis to get advice on where to place the camera, or finish and keep this calibration.</translation>
    </message>
    <message>
        <source>DeviceDidNotConnect</source>
        <translation>No HN-42 camera unit is connected. Plug the unit into a USB port and try again.</translation>
    </message>
    <message>
        <source>CP_1-btn-no.png</source>
        <translation>CP_1-btn-no.png</translation>
    </message>
    <message>
        <source>CP_1-btn-yes.png</source>
        <translation>CP_1-btn-yes.png</translation>
    </message>
    <message>
        <source>CP_4.2-btn-fc.png</source>
        <translation>CP_4.2-btn-fc.png</translation>
    </message>
    <message>
        <source>CP_4.2-btn-sd.png</source>
        <translation>CP_4.2-btn-sd.png</translation>
    </message>
    <message>
        <source>SCPD_1-btn-c.png</source>
        <translation>SCPD_1-btn-c.png</translation>
    </message>
    <message>
        <source>SCPD_1-btn-s.png</source>
        <translation>SCPD_1-btn-s.png</translation>
    </message>
    <message>
        <source>CP_4.1-btn-ok.png</source>
        <translation>CP_4.1-btn-ok.png</translation>
    </message>
    <message>
        <source>SCPD_2.png</source>
        <translation>SCPD_2.png</translation>
    </message>
    <message>
        <source>SCPD_6-2t.png</source>
        <translation>SCPD_6-2t.png</translation>
    </message>
    <message>
        <source>SCPD_6-3ct.png</source>
        <translation>SCPD_6-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_6-1c.png</source>
        <translation>SCPD_6-1c.png</translation>
    </message>
</context>
<context>
    <name>DeviceDoNotConnectWindow</name>
    <message>
        <source>DeviceDidNotConnectTitle</source>
        <translation>Camera unit not connected</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <message>
        <source>previewStringTitle</source>
        <translation>Check the camera view</translation>
    </message>
    <message>
        <source>previewString</source>
        <translation>Move the pen over the whole board. The white square shows where the camera sees the pen; it should reach every edge of the framed area. When the camera sees the whole board, press Space to start the calibration.</translation>
    </message>
    <message>
        <source>previewStringExit</source>
        <translation>Press Esc to cancel.</translation>
    </message>
    <message>
        <source>calibrateStringTitle</source>
        <translation>Calibration</translation>
    </message>
    <message>
        <source>calibrateString</source>
        <translation>Touch the centre of each crosshair with the pen and hold it there until the next one appears. Press Esc to cancel.</translation>
    </message>
    <message>
        <source>CP_3-crosshair.png</source>
        <translation>CP_3-crosshair.png</translation>
    </message>
    <message>
        <source>SCPD_3-1c.png</source>
        <translation>SCPD_3-1c.png</translation>
    </message>
    <message>
        <source>SCPD_3-2t.png</source>
        <translation>SCPD_3-2t.png</translation>
    </message>
    <message>
        <source>SCPD_3-3ct.png</source>
        <translation>SCPD_3-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_4-1c.png</source>
        <translation>SCPD_4-1c.png</translation>
    </message>
    <message>
        <source>SCPD_4-2t.png</source>
        <translation>SCPD_4-2t.png</translation>
    </message>
    <message>
        <source>SCPD_4-3ct.png</source>
        <translation>SCPD_4-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_5-1c.png</source>
        <translation>SCPD_5-1c.png</translation>
    </message>
    <message>
        <source>SCPD_5-2t.png</source>
        <translation>SCPD_5-2t.png</translation>
    </message>
    <message>
        <source>SCPD_5-3ct.png</source>
        <translation>SCPD_5-3ct.png</translation>
    </message>
    <message>
        <source>SCPD_3-c.png</source>
        <translation>SCPD_3-c.png</translation>
    </message>
    <message>
        <source>SCPD_3-t.png</source>
        <translation>SCPD_3-t.png</translation>
    </message>
    <message>
        <source>SCPD_3-ct.png</source>
        <translation>SCPD_3-ct.png</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <!-- words drawn into the calibration pictures at build time -->
    <message>
        <source>picture_button_no</source>
        <translation>No</translation>
    </message>
    <message>
        <source>picture_button_yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>picture_button_finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>picture_button_diagnose</source>
        <translation>Diagnose</translation>
    </message>
    <message>
        <source>picture_button_cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>picture_button_start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>picture_button_ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>picture_result_caption</source>
        <translation>Diagnosis result</translation>
    </message>
    <message>
        <source>picture_grade_good</source>
        <translation>Good camera position</translation>
    </message>
    <message>
        <source>picture_grade_acceptable</source>
        <translation>Camera position acceptable</translation>
    </message>
    <message>
        <source>picture_grade_poor</source>
        <translation>Poor camera position</translation>
    </message>
    <message>
        <source>picture_grade_none</source>
        <translation>Diagnosis complete</translation>
    </message>
    <message>
        <source>picture_result_seen</source>
        <translation>How the camera sees the screen</translation>
    </message>
    <message>
        <source>picture_finding_covered</source>
        <translation>The camera sees all four edges of the screen. The grade depends on how much of the camera's view the screen fills.</translation>
    </message>
    <message>
        <source>picture_finding_oneSide</source>
        <translation>One side edge of the screen looks far longer than the other: the camera is too close to one side of the board.</translation>
    </message>
    <message>
        <source>picture_finding_fromSide</source>
        <translation>The left and right edges of the screen differ in length: the camera looks at the board from the side.</translation>
    </message>
    <message>
        <source>picture_result_next</source>
        <translation>Choose Adjust camera for advice on where to place it, or Close to keep this calibration.</translation>
    </message>
    <message>
        <source>picture_result_close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>picture_result_adjust</source>
        <translation>Adjust camera</translation>
    </message>
    <message>
        <source>picture_excellent_title</source>
        <translation>Excellent</translation>
    </message>
    <message>
        <source>picture_excellent</source>
        <translation>The camera sees the whole screen, straight on and large. The pen is ready to use.</translation>
    </message>
    <message>
        <source>picture_excellent_again</source>
        <translation>Diagnose again</translation>
    </message>
    <message>
        <source>picture_excellent_finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>picture_advice_caption</source>
        <translation>Camera position</translation>
    </message>
    <message>
        <source>picture_advice_covered_title</source>
        <translation>Bring the camera closer</translation>
    </message>
    <message>
        <source>picture_advice_covered</source>
        <translation>The screen fills only a small part of the camera's view. Move the camera straight towards the board until the screen nearly fills the view, with a small margin on every side.</translation>
    </message>
    <message>
        <source>picture_advice_oneSide_title</source>
        <translation>Move the camera to the middle</translation>
    </message>
    <message>
        <source>picture_advice_oneSide</source>
        <translation>The camera stands too close to one side of the board. Move it sideways until it is in front of the middle of the board, then run the calibration again.</translation>
    </message>
    <message>
        <source>picture_advice_fromSide_title</source>
        <translation>Turn the camera to face the board</translation>
    </message>
    <message>
        <source>picture_advice_fromSide</source>
        <translation>The camera looks at the board at an angle. Turn it so that it points straight at the centre of the screen, then run the calibration again.</translation>
    </message>
    <message>
        <source>picture_advice_cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>picture_advice_start</source>
        <translation>Start calibration</translation>
    </message>
    <message>
        <source>picture_board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>picture_camera</source>
        <translation>Camera</translation>
    </message>
</context>
<context>
    <name>Localizable</name>
    <!-- the window that says a calibration could not be stored; %1 is the path and the reason -->
    <message>
        <source>CalibrateNotSavedTitle</source>
        <translation>Calibration not saved</translation>
    </message>
    <message>
        <source>CalibrateNotSaved</source>
        <translation>The calibration could not be saved (%1). It stays in force until eBoardAgent ends; calibrate again once the file can be written.</translation>
    </message>
    <!-- desktop notices of what leaves the pen dead or its calibration wrong; %1 is the
         device node, the calibration file or the annotation application -->
    <message>
        <source>notice_noPointer_title</source>
        <translation>The pen cannot move the pointer</translation>
    </message>
    <message>
        <source>notice_noPointer</source>
        <translation>eBoardAgent cannot write to /dev/uinput, and this session offers no X server to move the pointer through, so the pen does nothing. Install the package eboard-uinput-access and log in again, or log into an X11 session.</translation>
    </message>
    <message>
        <source>notice_unitNotReadable_title</source>
        <translation>The camera unit cannot be read</translation>
    </message>
    <message>
        <source>notice_unitNotReadable</source>
        <translation>The HN-42 camera unit is connected, but %1 refuses access to this user, so the pen does nothing. Install the udev rule 60-eboard-hn42.rules (reinstalling the eboard package does this), then unplug the unit and plug it in again.</translation>
    </message>
    <message>
        <source>notice_calibrationUnreadable_title</source>
        <translation>The stored calibration cannot be read</translation>
    </message>
    <message>
        <source>notice_calibrationUnreadable</source>
        <translation>%1 could not be read, so the pen is ignored until the unit is calibrated again. Choose Calibrate in the tray menu or run eboardctl calibrate.</translation>
    </message>
    <message>
        <source>notice_calibrationNoArea_title</source>
        <translation>The stored calibration cannot be used</translation>
    </message>
    <message>
        <source>notice_calibrationNoArea</source>
        <translation>The calibration stored in %1 cannot place the pen (its four corners enclose no area), so the pen is ignored. Choose Calibrate in the tray menu or run eboardctl calibrate.</translation>
    </message>
    <message>
        <source>notice_noTray_title</source>
        <translation>No tray on this desktop</translation>
    </message>
    <message>
        <source>notice_noTray</source>
        <translation>This desktop shows no tray icons, so the eBoard Agent menu cannot be reached. On GNOME, install and enable the AppIndicator extension (gnome-shell-extension-appindicator). Meanwhile use eboardctl calibrate, eboardctl diagnose and eboardctl quit.</translation>
    </message>
    <message>
        <source>notice_noAnnotationApp_title</source>
        <translation>No annotation application</translation>
    </message>
    <message>
        <source>notice_noAnnotationApp</source>
        <translation>Annotate opens %1, which is not installed on this computer. Install %1, then choose Annotate again.</translation>
    </message>
</context>
</TS>
