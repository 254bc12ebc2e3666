/* Resource numbers of the pictures the program carries; shared by the resource script
   and the code that reads them, so plain C preprocessor only. */
#pragma once

#define KLARVON_MAIN_BACKGROUND_ID 101
#define KLARVON_ABOUT_BACKGROUND_ID 102
