// The command movrel (group "Tessaril"): everything the user does starts here.
#pragma once

void movrel();
