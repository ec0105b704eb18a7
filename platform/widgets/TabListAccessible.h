#pragma once

// Makes every MultiRowTabStrip and TabStrip known to assistive technology as a page tab list named as the
// strip it is (its accessible name; Qt would name a tab bar by its selected tab) whose children are its
// tabs, then the strip's own buttons (a tab bar's scroll arrows): each page tab with its caption as name,
// its tip as description, its selected state and a press action that chooses it as the user's click
// does. Installing it more than once changes nothing.
void InstallTabListAccessible();
