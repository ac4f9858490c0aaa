#ifndef CLOCK_H
#define CLOCK_H

/* instruction clock the firmware was written for */
#define FCY 40000000UL

#endif
