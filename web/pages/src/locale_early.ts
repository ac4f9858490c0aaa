// The page's first script, run as soon as it arrives: a page's first number format costs tens of
// milliseconds, spent here while the rest of the page loads rather than after it.
import { localeSeparators } from "./locale_separators";

window.earlySeparators = localeSeparators();
