// Qt ends the program with abort (status 134) after its own lines when no
// platform can be opened: DISPLAY names no running X server, or there is
// none. Called before the application object is made, this says so in one
// line of the program's own and ends it with status 1 instead.
#pragma once

void Exit_with_status_1_when_no_display_opens();
