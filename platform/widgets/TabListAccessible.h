#pragma once

// Makes every MultiRowTabStrip known to assistive technology as a page tab list whose children are its
// tabs, as Qt does for its own tab bars: each page tab with its caption as name, its selected state and a
// press action that chooses it as a click does. Installing it more than once changes nothing.
void InstallTabListAccessible();
