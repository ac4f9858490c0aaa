#ifndef SYSCLK_H
#define SYSCLK_H

#define FOSC  200000000UL
#define FCY   (FOSC / 2)

void sysclk_init(void);

#endif
