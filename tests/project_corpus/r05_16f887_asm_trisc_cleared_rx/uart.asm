; USART routines (included by main.asm)

uart_init:
        banksel ANSEL
        clrf    ANSEL
        clrf    ANSELH
        bcf     BAUDCTL, BRG16
        banksel TRISC
        clrf    TRISC
        movlw   UART_BRG
        movwf   SPBRG
        clrf    SPBRGH
        movlw   b'00100100'     ; TXEN = 1, SYNC = 0, BRGH = 1
        movwf   TXSTA
        banksel RCSTA
        movlw   b'10010000'     ; SPEN = 1, CREN = 1
        movwf   RCSTA
        return

; send the byte in W
uart_putc:
        banksel PIR1
uart_putc_wait:
        btfss   PIR1, TXIF
        goto    uart_putc_wait
        movwf   TXREG
        return

; wait for a byte, return it in W
uart_getc:
        banksel PIR1
uart_getc_wait:
        btfss   PIR1, RCIF
        goto    uart_getc_wait
        movf    RCREG, W
        return
